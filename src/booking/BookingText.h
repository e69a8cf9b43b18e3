// The clear and copy commands beside the booking text of both booking dialogs.
#pragma once

class QLineEdit;
class QWidget;

namespace booking {

// Empties the booking text and puts the focus in it.
void clearBookingText(QLineEdit* text);
// Puts the booking text, untrimmed, on the clipboard and says so; warns when it is blank.
void copyBookingText(QWidget* owner, QLineEdit* text);

} // namespace booking
