// Placeholder until the desktop host lands.
int main() { return 0; }
