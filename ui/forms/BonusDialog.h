#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <utility>

class Desktop;
class QComboBox;
class QLabel;
class QPushButton;
class BonusSpinEdit;

// The modal dialog in which one bonus entry is chosen or changed. It is created once and reused for every Add and
// Edit: the caller sets the type, the confirm caption and optionally a kind and value to start from, runs it, and
// on OK reads back the entry. The number box keeps its value between showings. Its controls are built when it is
// first polished: by ensurePolished(), by showing it, or by the first call below that sets a control. Its
// handlers run under the general error handler of the desktop given; it is centred over its owner.
class BonusDialog : public QDialog {
    Q_OBJECT

public:
    explicit BonusDialog(Desktop& desktop, QWidget* owner = nullptr);

    // The item's type index, which selects the kind list and the value mode; no type arrives as 255.
    void SetItemType(std::uint8_t typeIndex) { m_itemType = typeIndex; }

    // The confirm button's caption: "ADD BONUS" or "EDIT BONUS".
    void SetConfirmCaption(const QString& caption);

    // The kind to select on the next showing if the list holds it (compared without regard to case).
    void RequestKind(const QString& kind) { m_requestedKind = kind; }

    // Puts the number box in plus mode (at most 6 digits, 0 to 100000) with value brought into that range.
    void SetPlusValue(int value);

    // Prepares the showing (PrepareShowing), then runs the dialog modally; true when it was closed with OK.
    bool RunModal();

    // The entry built when the dialog was last confirmed; empty until then in each run.
    QString ResultEntry() const { return m_resultEntry; }

    // Replaces the modal run (by default exec() == Accepted); the runner gets the shown dialog and returns
    // whether it was closed with OK.
    void SetModalRunner(std::function<bool(BonusDialog&)> runner) { m_modalRunner = std::move(runner); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildDialog();
    void BuildControls();
    void BuildButtons();
    void OfferAllKinds();
    void PrepareShowing();
    void ApplyValueMode();
    void Confirm();
    bool ValueBoxKeyDown(int key);
    void BuildResultEntry();
    void ShowSign(const QString& sign);
    void CentreOverOwner();

    Desktop& m_desktop;
    QWidget* m_owner;
    std::uint8_t m_itemType = 0;
    QString m_requestedKind;
    QString m_resultEntry;
    std::function<bool(BonusDialog&)> m_modalRunner;

    QLabel* m_signLabel = nullptr;
    QComboBox* m_kindBox = nullptr;
    BonusSpinEdit* m_valueBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
