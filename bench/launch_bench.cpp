// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of the game against the bare window, side by side: each program
// exits right after its first frame, and this launcher times it from fork to exit and takes its
// peak resident size and its cpu time from the kernel. Runs alternate (ABBA) so that a drifting
// machine load weighs on both alike.
//
// Usage: korvex-bench-launch RUNS BOARD_PROGRAM BARE_PROGRAM
// Prints tab-separated rows: figure, value, target.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
    double cpuMs;  // user and system time of the child
    long peakKb;
};

// The programs' own warnings (the offscreen platform has a few) would bury the figures: they go
// to a scratch file, shown only when a program fails.
FILE* childLog() {
    static FILE* log = std::tmpfile();
    return log;
}

void showChildLog() {
    FILE* log = childLog();
    if (!log) return;
    std::rewind(log);
    char line[512];
    while (std::fgets(line, sizeof line, log)) std::fputs(line, stderr);
}

bool runOnce(const char* program, Sample& sample) {
    FILE* log = childLog();
    if (log && ftruncate(fileno(log), 0) != 0) log = nullptr;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        if (log) dup2(fileno(log), STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    const auto end = std::chrono::steady_clock::now();
    sample.ms = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakKb = usage.ru_maxrss;
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    sample.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        showChildLog();
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        return false;
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> ms, cpuMs, peakMb;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS BOARD_PROGRAM BARE_PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* programs[2] = {argv[2], argv[3]};
    if (runs < 1) return 2;

    Series series[2];
    Sample sample{};
    // One untimed run each brings the libraries and fonts into the page cache.
    for (const char* program : programs)
        if (!runOnce(program, sample)) return 1;
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 2; ++k) {
            const int which = (i % 2 == 0) ? k : 1 - k;
            if (!runOnce(programs[which], sample)) return 1;
            series[which].ms.push_back(sample.ms);
            series[which].cpuMs.push_back(sample.cpuMs);
            series[which].peakMb.push_back(sample.peakKb / 1024.0);
        }

    const double boardMs = median(series[0].ms), bareMs = median(series[1].ms);
    const double boardCpu = median(series[0].cpuMs), bareCpu = median(series[1].cpuMs);
    const double boardMb = median(series[0].peakMb), bareMb = median(series[1].peakMb);
    std::printf("start-up to first paint, board (median of %d)\t%.1f ms\t\n", runs, boardMs);
    std::printf("start-up to first paint, bare window (median of %d)\t%.1f ms\t\n", runs, bareMs);
    std::printf("start-up ratio board / bare\t%.3f\t<= 1.05\n", boardMs / bareMs);
    std::printf("start-up cpu time, board / bare (medians)\t%.1f / %.1f ms\t\n", boardCpu, bareCpu);
    std::printf("start-up cpu ratio board / bare\t%.3f\t<= 1.05\n", boardCpu / bareCpu);
    std::printf("peak RSS, board (median)\t%.1f MiB\t\n", boardMb);
    std::printf("peak RSS, bare window (median)\t%.1f MiB\t\n", bareMb);
    std::printf("peak RSS ratio board / bare\t%.3f\t<= 1.07\n", boardMb / bareMb);
    return 0;
}
