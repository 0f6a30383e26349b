#include "store/cfiledata.h"
