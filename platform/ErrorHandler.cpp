#include "platform/ErrorHandler.h"

#include "platform/TextCodec.h"

void ShowFailure(Desktop& desktop, const std::exception& failure) {
    desktop.ShowMessage(TextCodec::FromSystem(failure.what()));
}
