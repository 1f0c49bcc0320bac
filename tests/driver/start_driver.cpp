// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "tests/driver/start_driver.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace driver_test {
namespace {

// The variable's value; empty where it is not set.
std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

pid_t startDriver(const std::vector<std::string>& options, int input, int output) {
  const std::string driver = environment("QUORVEL_CALC");
  if (driver.empty()) {
    ADD_FAILURE() << "QUORVEL_CALC names no driver: set it to the quorvel-calc program to test "
                     "(CTest sets it for each test)";
    return -1;
  }
  std::vector<std::string> command;
  if (std::string runner = environment("QUORVEL_CALC_RUNNER"); !runner.empty()) {
    command.push_back(std::move(runner));
  }
  command.push_back(driver);
  command.insert(command.end(), options.begin(), options.end());
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    ADD_FAILURE() << command[0] << " did not start: " << std::strerror(error);
    return -1;
  }
  return pid;
}

}  // namespace driver_test
