#include "color/SystemParametersInfoApi.h"

namespace {
constexpr int kStandardSmoothing = 1;
constexpr int kClearType = 2;
} // namespace

SystemParametersInfoApi::SystemParametersInfoApi(ISystemParameters& parameters)
    : m_parameters(parameters)
{
}

void SystemParametersInfoApi::disable_font_smoothing()
{
    m_parameters.set(ISystemParameters::kFontSmoothing, 0);
}

void SystemParametersInfoApi::enable_standard_font_smoothing()
{
    m_parameters.set(ISystemParameters::kFontSmoothing, 1);
    m_parameters.set(ISystemParameters::kFontSmoothingType, kStandardSmoothing);
}

void SystemParametersInfoApi::enable_clear_type()
{
    m_parameters.set(ISystemParameters::kFontSmoothing, 1);
    m_parameters.set(ISystemParameters::kFontSmoothingType, kClearType);
}

void SystemParametersInfoApi::broadcast_change()
{
    m_parameters.broadcastChange();
}

bool SystemParametersInfoApi::use_hardware_cursor()
{
    return m_parameters.set(ISystemParameters::kMouseTrails, 0);
}

bool SystemParametersInfoApi::use_software_cursor()
{
    return m_parameters.set(ISystemParameters::kMouseTrails, -1);
}
