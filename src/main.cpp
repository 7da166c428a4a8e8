// Wiring only: build the services, hand them to the windows, run.
int main() { return 0; }
