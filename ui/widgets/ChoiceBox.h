#pragma once

#include <QComboBox>

// A flat drop-down list on the item sheet: no typing, no frame of its own (the white box painted around it on the
// sheet is its frame), its text a little in from the left and a small arrow at the right. When it has the focus
// its text is highlighted, as a Windows drop-down list shows it. The mouse wheel turns it only once the user has
// clicked or tabbed into it, so that scrolling past never changes the item.
class ChoiceBox : public QComboBox {
    Q_OBJECT

public:
    ChoiceBox(const QString& name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
