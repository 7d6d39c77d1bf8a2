#pragma once

// The button row of the program's small dialogs: an accept and a reject button at the right
// edge, in the order the dialog shows them. The accept button is the default (Enter), the accept
// button accepts the dialog and the reject button rejects it. Texts, object names and enabled
// states stay with the dialog, which sets them in its own translation context.

class QBoxLayout;
class QDialog;
class QPushButton;

namespace zud::ui {

struct DialogButtons {
    QPushButton* accept = nullptr;
    QPushButton* reject = nullptr;
};

enum class ButtonOrder { AcceptFirst, RejectFirst };

// Creates both buttons in `order` (which is also their place in the tab order) and adds the row
// to `layout`.
DialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, ButtonOrder order);

} // namespace zud::ui
