#pragma once

#include "cliutil.h"

// Every number of a calculated chart as the JSON object `chart` prints and
// `batch --format json` writes per client.
QJsonObject chartJson(const CNumerology &engine);
