#pragma once

#include <QWidget>

#include <string>
#include <vector>

class Desktop;
class TBonusF;

// The item editor window: the item sheet on which one item is shown, edited and saved.
class TForm1 : public QWidget {
public:
    // Reads the command line; without an argument it tells the user and ends the run.
    TForm1(Desktop& desktop, const std::vector<std::string>& arguments, QWidget* parent = nullptr);

    void SetBonusDialog(TBonusF* bonusDialog) { m_bonusDialog = bonusDialog; }

    // Restores the window when minimised and brings it to the front.
    void BringToFront();

    const std::string& ProjectRoot() const { return m_projectRoot; }
    const std::string& ItemName() const { return m_itemName; }

private:
    void FormCreate(const std::vector<std::string>& arguments);

    Desktop& m_desktop;
    TBonusF* m_bonusDialog = nullptr;
    std::string m_projectRoot;
    std::string m_itemName;
    std::string m_iconSourceFolder;
};
