// Gives the resource library an object file of its own; the piece and icon
// data are added to it by qt_add_resources.
namespace parlhora {
int resourcesAnchor() { return 0; }
}  // namespace parlhora
