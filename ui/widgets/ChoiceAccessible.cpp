#include "ui/widgets/ChoiceAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(QComboBox* choice) : QAccessibleWidget(choice, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return Choice()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            Choice()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Choice() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("FocusedWheelComboBox") && object && object->isWidgetType())
        return new ChoiceAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void InstallChoiceAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    (void)installed;
}
