#pragma once

class QWidget;
class TForm1;

// Before the window closes: when the session in use has changed since it was opened or saved,
// asks whether to save it (Save / Discard / Cancel). True when the window may close: nothing
// to ask, the session was saved, or the changes are discarded.
bool MayCloseAfterAskingToSave(QWidget* parent, TForm1& form);
