// The hypertext label's defaults operations, which the defaults page calls on
// every control it edits: "保存" writes the control's current values into the
// defaults file "TDL4WIN.INI" and "リセット" writes the built-in defaults. Both
// leave the control unchanged and report whether the file was written.
#pragma once

#include "korutext/KoruDefaultsFile.h"

#include <QString>

class CKoruTextCtrl;

bool koruWriteCurrentDefaults(const CKoruTextCtrl& control); // "保存"
// The built-in defaults of the control: its Text default is the name its host gave it.
bool koruWriteBuiltInDefaults(const CKoruTextCtrl& control); // "リセット"

// The defaults file: TDL4WIN.INI in the per-user configuration folder.
QString koruDefaultsFilePath();
// The thirteen starting values of a new instance: the built-in defaults, each
// replaced by the defaults file's value where it has one.
zel::koru::KoruDefaultValues koruReadDefaults();
