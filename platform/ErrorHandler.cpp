#include "platform/ErrorHandler.h"

#include "platform/TextCodec.h"

void ShowFailure(Desktop& desktop, QWidget* owner, const std::exception& failure) {
    desktop.ShowMessage(owner, TextCodec::FromName(failure.what()));
}
