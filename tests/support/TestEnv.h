#pragma once

#include <QString>

// Each test executable runs with its own temporary HOME and XDG folders, made before any test
// function runs and removed at exit, so that no test ever touches the real user's settings.
namespace TestEnv {
QString home();
QString settingsPath(); // the settings store file inside the temporary HOME
} // namespace TestEnv

// Waiting for an event in a test: as long as it takes, so that a loaded machine or a sanitizer
// build never turns a slow event into a failure; ctest's time limit catches a hang.
namespace TestEnv {
constexpr int kEventWaitMs = 10 * 60 * 1000;
}
#define IXV_TRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, TestEnv::kEventWaitMs)
#define IXV_TRY_COMPARE(actual, expected)                                                      \
    QTRY_COMPARE_WITH_TIMEOUT(actual, expected, TestEnv::kEventWaitMs)
