#pragma once

// What the tables take from the features around them: the ride logs' hit
// counts and lambda advice as colour modes, their locks on L and "Lock
// cell", the compare's differences as corner marks; and what they give: the
// selection on a map, which the 3D view draws.

namespace korvane::app {

class CompareController;
class RideLogController;
class TableController;
class View3DController;

void LinkTable(TableController &table, RideLogController &rideLogs, CompareController &compare,
               View3DController &view3d);

}  // namespace korvane::app
