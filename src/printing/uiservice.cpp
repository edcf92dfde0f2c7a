#include "printing/uiservice.h"

UiService::~UiService() = default;
