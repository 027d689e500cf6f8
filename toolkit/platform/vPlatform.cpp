#include "toolkit/platform/vPlatform.h"

vPlatform vPlatform::_installed;
