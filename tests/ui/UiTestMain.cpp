// Runs one registered window test class: `marovix_ui_tests <class> [QtTest options]`. Without a known
// class it lists the classes and fails, so a mistyped test name cannot pass by running nothing.
#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/ui/UiTestRegistry.h"

namespace marovix::ui_tests {
namespace {

std::map<std::string, TestFactory>& registry() {
    static std::map<std::string, TestFactory> tests;
    return tests;
}

}  // namespace

bool registerTest(const char* name, TestFactory factory) {
    registry()[name] = factory;
    return true;
}

}  // namespace marovix::ui_tests

int main(int argc, char* argv[]) {
    using marovix::ui_tests::registry;
    const auto found = argc > 1 ? registry().find(argv[1]) : registry().end();
    if (found == registry().end()) {
        std::fprintf(stderr, "usage: %s <test class> [QtTest options]; the classes:\n", argv[0]);
        for (const auto& [name, factory] : registry()) std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // QtTest sees the program's name and the options after the class, as a program of its own would.
    std::vector<char*> arguments{argv[0]};
    for (int i = 2; i < argc; ++i) arguments.push_back(argv[i]);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);

    QApplication app(count, arguments.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const auto test = found->second();
    return QTest::qExec(test.get(), count, arguments.data());
}
