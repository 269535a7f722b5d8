#include "ui/artwork/FieldPalette.h"

QPalette FieldPalette(QPalette desktop) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
            desktop.setColor(group, role, Qt::white);
        const QColor text = group == QPalette::Disabled ? QColor(110, 110, 110) : QColor(Qt::black);
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            desktop.setColor(group, role, text);
        desktop.setColor(group, QPalette::PlaceholderText, QColor(110, 110, 110));
    }
    return desktop;
}
