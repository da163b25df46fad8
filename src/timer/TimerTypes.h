#pragma once

// Values of the TimerType setting.
namespace TimerType {
constexpr int Off = 1;
constexpr int Normal = 2;
constexpr int Strict = 3;
constexpr int Productive = 4;
} // namespace TimerType

// Values of the RestScreenType setting: which window covers each monitor during a rest.
namespace RestScreenType {
constexpr int Lite = 1;
constexpr int Simple = 2;
constexpr int Standard = 3;
} // namespace RestScreenType
