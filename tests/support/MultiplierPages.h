#ifndef MULTIPLIERPAGES_H
#define MULTIPLIERPAGES_H

// The former name of SeriesPages, for tests written before the page
// helpers served every family. New tests include SeriesPages.h.
#include "SeriesPages.h"

namespace MultiplierPages = SeriesPages;

#endif // MULTIPLIERPAGES_H
