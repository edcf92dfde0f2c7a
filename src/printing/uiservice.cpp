#include "printing/uiservice.h"

#include "printing/interactiveui.h"

namespace {
UiService *g_installed = nullptr;
}

UiService::~UiService() = default;

UiService &UiService::instance()
{
    if (g_installed)
        return *g_installed;
    static InteractiveUi interactive;
    return interactive;
}

void UiService::setInstance(UiService *service)
{
    g_installed = service;
}
