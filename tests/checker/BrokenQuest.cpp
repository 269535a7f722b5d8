#include "tests/checker/BrokenQuest.h"

#include "base/Os.h"
#include "checker/CheckRun.h"

#include <sstream>

BrokenQuest::BrokenQuest() {
    CopyQuest();
    AddItem("Sword", "Type=Ring\r\nClass=ALL\r\nBonus=Atack+5\r\nPrice=1\r\nStack=1\r\n");
    AddItem("Trinket", "Type=Rign\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Cloak", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=Mgae\r\nStack=1\r\n");
    AddItem("Coin", "Type=Material\r\nBonus=\r\nPrice=12a\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Arrow", "Type=Material\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=00\r\n");
    AddItem("Band", "Type=Ring\r\nBonus=Attack+5,,Defend+1\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Elixir", "Type=Ring\r\nBonus=Small Potion HP\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Spike", "Type=Ring\r\nBonus=Attack+12x\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Ember", "Type=Amulet\r\nBonus=Attack+100000,ResHeat+101\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Tonic", "Type=Potion\r\nBonus=Small Potion HP+5\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Charm", "Type=Ring\r\nBonus=Attack+05\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    AddItem("Twice", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\nPRICE=2\r\n");
    AddItem("Wide", std::string("\xFF\xFET\0=\0R\0\r\0\n\0", 12));
    AddItem("Bare", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    std::filesystem::remove(Path("CLIENT/Bare.ITM"));
    std::filesystem::remove(Path("CLIENT/Bare.BMP"));
    AddItem("Hollow", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    std::filesystem::remove(Path("CLIENT/Hollow.ITM"));
    std::filesystem::remove(Path("CLIENT/Hollow.BMP"));
    MakeFolder("CLIENT/Hollow.ITM");
    MakeFolder("CLIENT/Hollow.BMP");
    AddItem("Garbled", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    Write("CLIENT/Garbled.ITM", std::string("\xFE\xFF\xD8\x00\0A", 6));
    Write("CLIENT/Garbled.BMP", "BM not a bitmap");
    AddItem("Long.Sword", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    Write("SERVER/BronzeHelm.ITM", "Type=Head\r\nBonus=Defend+40\r\nPrice=800\r\nClass=Mage\r\nStack=1\r\n");
    Write("CLIENT/Ghost.ITM", "Nobody's tale\r\n");
    Write("CLIENT/Ghost.BMP", Read("CLIENT/RubyRing.BMP"));
    Write("CLIENT/KnightBronzeHelm.FAP", "");
}

void BrokenQuest::AddItem(const std::string& name, const std::string& server) const {
    Write("SERVER/" + name + ".ITM", server);
    Write("CLIENT/" + name + ".ITM", "A thing of the game\r\n");
    Write("CLIENT/" + name + ".BMP", Read("CLIENT/RubyRing.BMP"));
}

std::string Native(std::string text) {
    for (char& c : text) {
        if (c == '/')
            c = Os::kPathSeparator;
    }
    return text;
}

CheckOutput RunCheck(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = RunChecker(arguments, out, err);
    return {status, out.str(), err.str()};
}
