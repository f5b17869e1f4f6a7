#include "builder/state.h"

fsys::WritableFile* fp = nullptr;
int tscnt = 0;
bool sortbydate = false;
bool subflag = false, eit1flag = false, eit2flag = false, dirflag = false;
eString nn;
std::vector<std::pair<int32_t, _tselem>> tslist;
