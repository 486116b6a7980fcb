#include "geometric/lens/AxisProbe.h"

AxisReading axisReading(int x, int y, int cx, int cy, double perUnit) {
    return {(x - cx) / perUnit, (cy - y) / perUnit};
}
