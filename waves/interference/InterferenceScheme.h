#pragma once
// The picture of the experiment on the first page of the interference window.
#include <QImage>

QImage drawInterferenceScheme();
