// Runs the chromasmith-convert program as a script would, for the tests of
// its conversions and of its messages.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/core/format_test_util.h"

extern char** environ;

namespace cs::testing {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string readText(const std::string& name) {
  const std::vector<uint8_t> b = ReadBytes(name);
  return {b.begin(), b.end()};
}

// The environment the converter runs in: this one with LANGUAGE=en, so its
// messages are the English ones whatever the locale, unless `env` is given.
inline std::vector<std::string> converterEnvironment(const std::vector<std::string>* env) {
  if (env) return *env;
  std::vector<std::string> vars{"LANGUAGE=en"};
  for (char** v = environ; *v; ++v)
    if (!std::string_view(*v).starts_with("LANGUAGE=")) vars.emplace_back(*v);
  return vars;
}

// Runs the converter with its output in files; with `terminal` its stderr is
// a pseudo-terminal instead, whose output comes back in `err`. `env`, when
// given, is its whole environment.
inline Outcome convert(const ScratchDir& dir, std::vector<std::string> args, bool terminal = false,
                       const std::vector<std::string>* env = nullptr) {
  args.insert(args.begin(), CHROMASMITH_CONVERT);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const std::string out = dir.file(".stdout"), err = dir.file(".stderr");
  const int master = terminal ? ::posix_openpt(O_RDWR | O_NOCTTY) : -1;
  if (terminal && (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0))
    ADD_FAILURE() << "no pty";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (terminal)
    posix_spawn_file_actions_addopen(&actions, 2, ::ptsname(master), O_RDWR | O_NOCTTY, 0);
  else
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  Outcome run;
  std::vector<std::string> vars = converterEnvironment(env);
  std::vector<char*> envp;
  for (auto& v : vars) envp.push_back(v.data());
  envp.push_back(nullptr);
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = readText(out);
  std::filesystem::remove(out);
  if (terminal) {
    // What the program wrote waits in the terminal until read.
    char buffer[4096];
    ssize_t n = 0;
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    while ((n = ::read(master, buffer, sizeof buffer)) > 0) run.err.append(buffer, std::size_t(n));
    ::close(master);
  } else {
    run.err = readText(err);
    std::filesystem::remove(err);
  }
  return run;
}

}  // namespace cs::testing
