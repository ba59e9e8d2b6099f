#pragma once
// The rules' questions answered by the two dialogs on the screen.
#include "strefy_czas.h"

namespace strefy {

class TFormWyborStrefy;
class TFormPrzesGMT;

// The forms must outlive the returned value (they live for the whole run).
TDialogiStref DialogiOkienkowe(TFormWyborStrefy& wyborStrefy, TFormPrzesGMT& przesGMT);

} // namespace strefy
