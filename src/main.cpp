// zel32 entry point (filled in by the application shell).
int main() { return 0; }
