#pragma once
// The window tests are one program: each QtTest class registers itself by name, and the program runs the
// class its first argument names, so the Qt-heavy test code is linked once instead of once per class.
#include <QObject>
#include <memory>

namespace marovix::ui_tests {

using TestFactory = std::unique_ptr<QObject> (*)();

// Adds a test class under `name`; returns true so it can initialise a static.
bool registerTest(const char* name, TestFactory factory);

}  // namespace marovix::ui_tests

// In place of QTEST_MAIN: registers `TestObject` under its own name.
#define MAROVIX_UI_TEST(TestObject)                                               \
    static const bool TestObject##Registered = ::marovix::ui_tests::registerTest( \
        #TestObject, []() -> std::unique_ptr<QObject> { return std::make_unique<TestObject>(); });
