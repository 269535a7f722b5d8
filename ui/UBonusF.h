#pragma once

#include <QDialog>

// The modal dialog in which one bonus entry is chosen or changed.
class TBonusF : public QDialog {
public:
    explicit TBonusF(QWidget* parent = nullptr);
};
