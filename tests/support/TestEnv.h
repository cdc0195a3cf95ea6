#pragma once

#include <QString>

// Each test executable runs with its own temporary HOME and XDG folders, made before any test
// function runs and removed at exit, so that no test ever touches the real user's settings.
namespace TestEnv {
QString home();
QString settingsPath(); // the settings store file inside the temporary HOME
} // namespace TestEnv
