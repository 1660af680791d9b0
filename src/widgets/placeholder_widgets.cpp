// placeholder until the subsystem lands; remove when real sources exist
namespace { [[maybe_unused]] int placeholder_widgets; }
