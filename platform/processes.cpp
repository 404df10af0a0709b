#include "processes.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <poll.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {

namespace {

void closeAll(std::initializer_list<int*> descriptors)
{
    for (int* descriptor : descriptors) {
        if (*descriptor >= 0)
            ::close(*descriptor);
        *descriptor = -1;
    }
}

} // namespace

ProgramRun runProgram(const char* program, const QStringList& arguments, const QByteArray& input, int timeoutMs,
                      const std::atomic<bool>* cancel)
{
    ProgramRun run;
    // A program that ends before reading its input must not end this one.
    static const bool pipeSignalIgnored = (std::signal(SIGPIPE, SIG_IGN), true);
    Q_UNUSED(pipeSignalIgnored);

    std::vector<QByteArray> texts{QByteArray(program)};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
        run.failure = QString::fromLocal8Bit(std::strerror(errno));
        closeAll({&in[0], &in[1], &out[0], &out[1], &err[0], &err[1]});
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    pid_t child = -1;
    const int spawned = ::posix_spawnp(&child, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    closeAll({&in[0], &out[1], &err[1]});
    if (spawned != 0) {
        run.failure = QString::fromLocal8Bit(std::strerror(spawned));
        closeAll({&in[1], &out[0], &err[0]});
        return run;
    }
    run.started = true;

    for (qint64 written = 0; written < input.size();) {
        const ssize_t n = ::write(in[1], input.constData() + written, static_cast<std::size_t>(input.size() - written));
        if (n <= 0 && errno != EINTR)
            break;
        written += n > 0 ? n : 0;
    }
    closeAll({&in[1]});

    // Both outputs are read as they come, so a talkative program never blocks on a full pipe.
    constexpr int POLL_MS = 100;
    int waited = 0;
    bool stopped = false;
    while (out[0] >= 0 || err[0] >= 0) {
        pollfd ends[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        const int ready = ::poll(ends, 2, POLL_MS);
        if (ready == 0) {
            waited += POLL_MS;
            if ((cancel != nullptr && cancel->load()) || waited >= timeoutMs) {
                ::kill(child, SIGKILL);
                stopped = true;
                break;
            }
            continue;
        }
        if (ready < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (ends[i].fd < 0 || ends[i].revents == 0)
                continue;
            char block[4096];
            const ssize_t n = ::read(ends[i].fd, block, sizeof block);
            if (n > 0)
                (i == 0 ? run.output : run.errors).append(block, static_cast<int>(n));
            else if (n == 0 || errno != EINTR)
                closeAll({i == 0 ? &out[0] : &err[0]});
        }
    }
    closeAll({&out[0], &err[0]});
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (stopped)
        return run;
    run.finished = true;
    run.crashed = WIFSIGNALED(status);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace platform
