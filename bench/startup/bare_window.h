#pragma once

#include <QWidget>

#include <memory>

// The yardstick for start-up: the least a Qt Widgets program with as many
// controls as the main window does. Default fonts, fixed geometry, nothing else.
std::unique_ptr<QWidget> createBareWindow();
