// The platform layer: Qt-based stand-ins for the services the model and the
// compiler ask for through their interfaces.
