// Keeps the fakes library non-empty while the folder fills up.
namespace parlhora::fakes {
int anchor() { return 0; }
}  // namespace parlhora::fakes
