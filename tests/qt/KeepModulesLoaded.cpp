// Sanitizer builds only: no module is ever unloaded. LeakSanitizer looks for
// lost memory when the process ends, after libEGL has unloaded the Mesa
// driver that Qt's Wayland plugin brought in; what the driver's own globals
// still held then looks lost, and the stack through the unloaded driver
// cannot be read. With every module mapped to the end, LeakSanitizer sees
// what is really reachable and names every frame of what is really lost.
// The executable's own dlclose comes before every library's.
extern "C" int dlclose(void* /*module*/) { return 0; }
