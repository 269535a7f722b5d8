#include "app/StartUp.h"

#include "app/SingleInstance.h"
#include "platform/EditorApplication.h"
#include "ui/artwork/BakedArtwork.h"
#include "ui/artwork/SheetFont.h"
#include "ui/forms/BonusDialog.h"
#include "ui/forms/ItemSheet.h"

#include <memory>
#include <string>
#include <vector>

void RunEditor(EditorApplication& application, Desktop& desktop, const std::vector<std::string>& arguments) {
    std::unique_ptr<ItemSheet> sheet;
    // Made at the first Add or Edit. Owned by the editor window (one taskbar entry, and the dialog stays above the
    // sheet), so it goes before the sheet.
    std::unique_ptr<BonusDialog> bonusDialog;
    const auto startUp = [&] {
        // The sheet's font is the application's, so that the messages read as the sheet does, and so that the
        // description box, which starts its document in the application's font, loads no second font at start-up.
        QApplication::setFont(SheetFont());
        // The taskbar, the task switcher and the window manager show it.
        QApplication::setWindowIcon(BakedArtwork::ProgramIcon());
        sheet = std::make_unique<ItemSheet>(desktop, arguments);
        if (application.Terminated())
            return;
        sheet->SetBonusDialog([&]() -> BonusDialog& {
            if (!bonusDialog)
                bonusDialog = std::make_unique<BonusDialog>(desktop, sheet.get());
            return *bonusDialog;
        });
        sheet->show();
        if (!application.Terminated())
            application.exec();
    };
    RunSingleInstance(application, startUp, [&sheet] {
        if (sheet)
            sheet->BringToFront();
    });
}
