// The time of one save as the user causes it — the priority written by a
// press on a note, the position written by the release after a drag — on a
// settings file of 100 notes of about 1 KB. Measured both ways in one run,
// alternating: written in place by the profile functions, and written to a
// flushed copy that then replaces the file. Each way writes a file of its
// own, made from the same one, as the program is the only writer of its
// file: neither then pays for reading what the other wrote. Prints the
// medians and ratios.
// Usage: save_bench <settings file> [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "notes/model/ini_profile.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Costs {
  std::vector<double> press, release;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: save_bench <settings file> [rounds]\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::string replacedPath = path + ".replaced.ini";
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 40;
  if (!CopyFileA(path.c_str(), replacedPath.c_str(), FALSE)) {
    std::fprintf(stderr, "save_bench: cannot copy %s\n", path.c_str());
    return 1;
  }
  zettrella::IniProfile profile(replacedPath);
  Costs inPlace, replaced;
  for (int round = 0; round < rounds; ++round) {
    const std::string section = "Husen" + std::to_string(1 + round % 100);
    const std::string value = std::to_string(round);
    double start = Now();
    WritePrivateProfileStringA(section.c_str(), "Priority", value.c_str(), path.c_str());
    inPlace.press.push_back(Now() - start);
    start = Now();
    WritePrivateProfileStringA(section.c_str(), "PosX", value.c_str(), path.c_str());
    WritePrivateProfileStringA(section.c_str(), "PosY", value.c_str(), path.c_str());
    inPlace.release.push_back(Now() - start);

    start = Now();
    profile.Write(section.c_str(), "Priority", value.c_str());
    replaced.press.push_back(Now() - start);
    start = Now();
    profile.WriteKeys(section.c_str(), {{"PosX", value}, {"PosY", value}});
    replaced.release.push_back(Now() - start);
  }
  const double pressBefore = Median(inPlace.press), pressAfter = Median(replaced.press);
  const double releaseBefore = Median(inPlace.release), releaseAfter = Median(replaced.release);
  std::printf("press: in place %.2f ms, replaced %.2f ms, ratio %.2f\n", pressBefore, pressAfter,
              pressAfter / pressBefore);
  std::printf("release: in place %.2f ms, replaced %.2f ms, ratio %.2f\n", releaseBefore, releaseAfter,
              releaseAfter / releaseBefore);
  DeleteFileA(replacedPath.c_str());
  return 0;
}
