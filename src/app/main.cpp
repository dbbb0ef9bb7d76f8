// Replaced by the window's start-up as it lands.
int main() { return 0; }
