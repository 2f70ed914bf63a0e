#pragma once

#include "image/ImageFile.h"
#include "maps/CellRefusal.h"
#include "revlimit/RevLimit.h"

#include <QString>

namespace qz7t {

QString LoadingMessage();
QString DisplayedMessage();
QString UpdatedMessage();
QString NothingLoadedMessage();

QString LoadResultMessage(LoadResult result);
QString SaveResultMessage(SaveResult result);
QString CellRefusalMessage(CellRefusalReason reason);
QString RevLimitStepMessage(RevLimitStep step);

}  // namespace qz7t
