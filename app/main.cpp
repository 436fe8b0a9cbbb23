#include <iostream>

int main(int argc, char* argv[])
{
    std::cout << "Veltrame: the main window is not built yet.";
    if (argc > 1)
        std::cout << " Session file named: " << argv[1];
    std::cout << '\n';
    return 0;
}
