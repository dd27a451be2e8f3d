#pragma once
// The suite's form-control component (the control of a control array bound
// to a field, Enter-key advance, key filters). The program holds one instance
// from first use to shutdown; its members come with the windows that use them.

class UtilidadesControles {
public:
};
