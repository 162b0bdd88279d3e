// Fonts and paged devices need a QGuiApplication; the test executables that
// link this file get one, on the platform ctest sets (offscreen).
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class AppGrafica : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char nome[] = "test";
        static char* argv[] = {nome, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const registrata = ::testing::AddGlobalTestEnvironment(new AppGrafica);

} // namespace
