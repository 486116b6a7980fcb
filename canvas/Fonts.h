#pragma once
// The one face every window and picture uses (PT Sans where installed),
// sized in pixels so that layouts measured in pixels hold whatever the
// screen's DPI.
#include <QFont>

QFont pixelFont(int pixels, bool bold = false, bool italic = false);
