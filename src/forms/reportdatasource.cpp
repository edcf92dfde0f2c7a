#include "reportdatasource.h"

ReportDataSource::~ReportDataSource() = default;
