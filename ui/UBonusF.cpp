#include "UBonusF.h"

TBonusF::TBonusF(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BonusF"));
    setWindowTitle(QStringLiteral("Item Bonus"));
    setFixedSize(362, 246);
}
