#include <cstdio>

int main() {
  std::puts("Morvadel: the windows are not built yet.");
  return 0;
}
