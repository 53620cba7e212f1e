// Times both programs from spawn to their first painted frame, alternating runs, and reads
// their peak memory; prints medians and tamo's ratios against the bare window.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double milliseconds = 0;
    long peakKilobytes = 0;
};

bool runOnce(const char *program, Run &run)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char ready = 0;
    const bool painted = read(pipeFds[0], &ready, 1) == 1;
    const auto frame = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    run.milliseconds = std::chrono::duration<double, std::milli>(frame - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    return painted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::string config = "/tmp/tamo-startup-bench-screen.json";
    if (FILE *file = std::fopen(config.c_str(), "w")) {
        std::fputs(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1920,"height":1080,)"
                   R"("logicalDpi":96,"physicalDpi":96}]})",
            file);
        std::fclose(file);
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);

    std::vector<double> tamoTimes, bareTimes;
    long tamoPeak = 0, barePeak = 0;
    Run run;
    // One unmeasured run of each warms the file cache.
    if (!runOnce(TAMO_STARTUP, run) || !runOnce(BARE_STARTUP, run)) {
        std::fprintf(stderr, "a start-up program failed\n");
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(TAMO_STARTUP, run))
            return 1;
        tamoTimes.push_back(run.milliseconds);
        tamoPeak = std::max(tamoPeak, run.peakKilobytes);
        if (!runOnce(BARE_STARTUP, run))
            return 1;
        bareTimes.push_back(run.milliseconds);
        barePeak = std::max(barePeak, run.peakKilobytes);
    }
    const double tamo = median(tamoTimes);
    const double bare = median(bareTimes);
    std::printf("first frame, median of %d: tamo %.1f ms, bare window %.1f ms, ratio %.2f "
                "(target <= 1.80)\n",
        runs, tamo, bare, tamo / bare);
    std::printf("peak memory: tamo %.1f MB, bare window %.1f MB, difference %.1f MB "
                "(target < 15), ratio %.2f\n",
        tamoPeak / 1024.0, barePeak / 1024.0, (tamoPeak - barePeak) / 1024.0,
        double(tamoPeak) / double(barePeak));
    return 0;
}
