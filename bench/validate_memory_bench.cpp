// Measures the peak memory of `ardel --validate`'s check on a pathological file (one
// station line repeated, every repetition a problem) against the file's size and
// against a plain read of the same file's lines, each run in a child process of its own.
// Usage: validate_memory_bench [LINES]   (default 200,000 lines, about 16 MB; the
// pathological case of the field is 2,000,000 lines, about 160 MB)
#include "app/FileCheck.h"
#include "bfile/ReadInput.h"
#include "model/Lines.h"
#include "ui/Text.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace ardel;

constexpr long kDefaultLines = 200000;
constexpr double kTargetToFileSize = 3.0; // the check's peak beyond the plain read's, to the file's size

std::string record(int sequence, const char* code, const std::string& body) {
    return ui::format("%06d*%s*", sequence % 1000000, code) + fit(body, 70) + "\r\n";
}

void writeFile(const std::string& path, long lines) {
    std::ofstream out(path, std::ios::binary);
    out << record(10, "GP", "      TOVGEOTOVARIN SURVEY");
    const std::string station = record(20, "80", "0001MERIDIAN HARBOUR 1967         47423112345N122201567890W");
    for (long i = 0; i < lines; ++i) {
        out << station;
    }
}

// The peak resident size, in bytes, of a child process that runs `work`.
long peakBytes(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) {
        std::fprintf(stderr, "the measuring child failed\n");
        std::exit(1);
    }
    return usage.ru_maxrss * 1024L;
}

double megabytes(double bytes) {
    return bytes / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : kDefaultLines;
    const std::string file =
        (std::filesystem::temp_directory_path() / ("ardel-validate-bench-" + std::to_string(::getpid()) + ".bfl"))
            .string();
    writeFile(file, lines);
    const auto size = static_cast<double>(std::filesystem::file_size(file));

    const long plainRead = peakBytes([&] {
        InputLines input;
        input.open(file);
        while (input.next()) {
        }
    });
    const long validate = peakBytes([&] { checkFile(file); });
    std::filesystem::remove(file);

    const double ratio = static_cast<double>(validate - plainRead) / size;
    std::printf("%ld repeated station lines, %.1f MB\n", lines, megabytes(size));
    std::printf("plain read of the lines   peak %8.1f MB\n", megabytes(static_cast<double>(plainRead)));
    std::printf("validate the file         peak %8.1f MB  (%.2f x the file beyond the plain read, target under "
                "%.1f: %s)\n",
                megabytes(static_cast<double>(validate)), ratio, kTargetToFileSize,
                ratio < kTargetToFileSize ? "met" : "MISSED");
    return ratio < kTargetToFileSize ? 0 : 1;
}
