// Tests of the spotted grouper mesh that the catalogue-wide checks cannot make.
#include "fish/species/SpottedGrouperMesh.h"

#include <gtest/gtest.h>
