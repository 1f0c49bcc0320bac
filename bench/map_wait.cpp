// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// map-wait PROGRAM [ARG...]: starts PROGRAM on $DISPLAY, waits for the X server
// to report its first top-level window mapped, and prints the milliseconds
// from exec to that map and the program's resident memory a second later in
// KiB. Then it ends the program.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

struct Disconnect {
  void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

long residentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: map-wait PROGRAM [ARG...]\n");
    return 2;
  }
  std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, nullptr));
  if (xcb_connection_has_error(connection.get()) != 0) {
    std::fprintf(stderr, "map-wait: cannot open the display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  // Checked, so that the selection is in force before the program starts.
  if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
          xcb_request_check(connection.get(),
                            xcb_change_window_attributes_checked(connection.get(), root,
                                                                 XCB_CW_EVENT_MASK, &mask)),
          &std::free}) {
    std::fprintf(stderr, "map-wait: cannot watch the root window\n");
    return 2;
  }

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    std::perror("map-wait: exec");
    _exit(127);
  }
  // Wakes as soon as the server writes, so the time is the map's, not a poll's.
  bool mapped = false;
  int status = 0;
  while (!mapped && xcb_connection_has_error(connection.get()) == 0) {
    while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
        xcb_poll_for_event(connection.get()), &std::free}) {
      mapped = mapped || (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
    }
    if (mapped) break;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "map-wait: %s ended before it showed a window\n", argv[1]);
      return 1;
    }
    pollfd readable{xcb_get_file_descriptor(connection.get()), POLLIN, 0};
    poll(&readable, 1, 100);
  }
  const std::chrono::duration<double, std::milli> toMap = std::chrono::steady_clock::now() - start;
  if (mapped) std::this_thread::sleep_for(std::chrono::seconds(1));
  const long rss = residentKiB(pid);
  kill(pid, SIGTERM);
  waitpid(pid, &status, 0);
  if (!mapped) return 1;
  std::printf("%.2f %ld\n", toMap.count(), rss);
  return 0;
}
