#include "settings/data_folder.h"

QString DataDir;
