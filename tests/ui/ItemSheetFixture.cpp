#include "tests/ui/ItemSheetFixture.h"

#include "platform/EditorApplication.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>

ItemSheetTest::ItemSheetTest() {
    std::filesystem::copy(BRINDLE_SAMPLE_PROJECT, project.Path("Quest"), std::filesystem::copy_options::recursive);
    static_cast<EditorApplication*>(QCoreApplication::instance())->SetLastResort([this](const std::exception& failure) {
        lastResortFailures.append(QString::fromStdString(failure.what()));
    });
}

ItemSheetTest::~ItemSheetTest() {
    EXPECT_TRUE(lastResortFailures.isEmpty()) << "escaped its handler: " << lastResortFailures.join('|').toStdString();
    static_cast<EditorApplication*>(QCoreApplication::instance())->SetLastResort({});
}

ItemSheet& ItemSheetTest::Open(const std::vector<std::string>& arguments) {
    form = std::make_unique<ItemSheet>(desktop, arguments);
    form->SetBonusDialog([this]() -> BonusDialog& { return bonusDialog; });
    form->show();
    QCoreApplication::processEvents();
    return *form;
}

void ItemSheetTest::MovePointer(const QPoint& point) {
    // Through the window system, as the desktop delivers a real pointer: the pointer's own position is not set,
    // which not every platform turns into a movement.
    QTest::mouseMove(form->windowHandle(), point);
    QCoreApplication::processEvents();
}

void ItemSheetTest::ClickCommand(const char* buttonName) {
    QWidget& button = Child<QWidget>(buttonName);
    // The pointer may already rest there from an earlier window: arrive from a neighbouring pixel.
    MovePointer(button.geometry().center() - QPoint(1, 1));
    MovePointer(button.geometry().center());
    ASSERT_TRUE(Lit(buttonName)) << buttonName << " must light up under the pointer";
    QTest::mouseClick(&button, Qt::LeftButton);
}

void ItemSheetTest::Choose(QComboBox& choice, const QString& entry) {
    const QModelIndex row = choice.model()->index(choice.findText(entry), 0);
    ASSERT_TRUE(row.isValid()) << entry.toStdString();
    QTest::mouseClick(&choice, Qt::LeftButton);
    QAbstractItemView* list = choice.view();
    ASSERT_TRUE(list->isVisible()) << "a click opens the list";
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 0; step < row.row(); ++step)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(choice.currentText(), entry);
    ASSERT_FALSE(list->isVisible());
}

void ItemSheetTest::OnBonusDialog(std::function<void(BonusDialog&)> drive, bool confirm) {
    bonusDialog.SetModalRunner([this, drive, confirm](BonusDialog& shown) {
        ++bonusDialogRuns;
        drive(shown);
        QTest::mouseClick(shown.findChild<QPushButton*>(QLatin1String(confirm ? "okButton" : "cancelButton")),
                          Qt::LeftButton);
        return shown.result() == QDialog::Accepted;
    });
}

QStringList ItemSheetTest::BonusTexts() {
    QStringList texts;
    for (int row = 0; row < Bonuses().Count(); ++row)
        texts << Bonuses().At(row).text;
    return texts;
}

std::string ItemSheetTest::Sample(const std::string& relative) const {
    std::ifstream in(std::filesystem::path(BRINDLE_SAMPLE_PROJECT) / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
