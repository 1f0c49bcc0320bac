// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The driver in QUORVEL_CALC at a pipe, driven by a caller that writes one line and
// waits for its answer before it writes the next: an answer held back in a
// buffer would leave both waiting for ever.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "tests/driver/start_driver.h"

namespace {

using Json = nlohmann::json;

// What the caller writes in one go, and what Text4 then shows.
struct Exchange {
  std::string_view written;
  std::string_view text4;
};

constexpr std::array<Exchange, 4> kExchanges{{
    {R"({"Text1":"6000","Text2":"500"})"
     "\n",
     "95"},
    // A blank line after the question must not hold its answer back.
    {R"({"Text1":"3000"})"
     "\n\n",
     ""},
    {"\n"
     R"({"Text1":"6000"})"
     "\n",
     "145"},
    {R"({"Text1":"4734.56"})"
     "\r\n",
     "37.0368"},
}};

class Driver {
 public:
  Driver() {
    std::array<int, 2> in{};
    std::array<int, 2> out{};
    if (pipe2(in.data(), O_CLOEXEC) != 0 || pipe2(out.data(), O_CLOEXEC) != 0) return;
    pid_ = driver_test::startDriver({}, in[0], out[1]);
    close(in[0]);
    close(out[1]);
    toDriver_ = in[1];
    fromDriver_ = out[0];
  }
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  ~Driver() {
    closeInput();
    close(fromDriver_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }

  bool started() const { return pid_ > 0; }

  bool write(std::string_view text) const {
    return ::write(toDriver_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  }

  // Blocks until a whole line has come, or the driver has closed its output.
  std::string readLine() const {
    std::string line;
    char c = 0;
    while (::read(fromDriver_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  void closeInput() {
    if (toDriver_ >= 0) close(toDriver_);
    toDriver_ = -1;
  }

  // The exit status once the driver has answered everything and ended.
  int exitStatus() {
    int status = -1;
    if (waitpid(pid_, &status, 0) == pid_) pid_ = -1;
    return status;
  }

 private:
  pid_t pid_ = -1;
  int toDriver_ = -1;
  int fromDriver_ = -1;
};

TEST(DriverAtAPipe, AnswersEachLineBeforeTheNextIsWritten) {
  Driver driver;
  ASSERT_TRUE(driver.started());
  for (const Exchange& exchange : kExchanges) {
    SCOPED_TRACE(exchange.written);
    ASSERT_TRUE(driver.write(exchange.written));
    const Json answer = Json::parse(driver.readLine());
    EXPECT_EQ(answer["Text4"], exchange.text4);
  }
  driver.closeInput();
  EXPECT_EQ(driver.readLine(), "");  // nothing more than the answers
  const int status = driver.exitStatus();
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
