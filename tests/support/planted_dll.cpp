// A DLL that some page dropped into the folder of the program: it says so by its one export.
extern "C" __declspec(dllexport) int plantedBesideTheProgram() {
    return 1;
}
