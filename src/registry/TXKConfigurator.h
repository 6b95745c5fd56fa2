#pragma once
// Base of every catalogue configurator, and its class object.
//
// Class operations (Active, ActiveOnTypes, RechtFuerKonfigVorhanden, Groups)
// are asked without an instance. A configurator class declares them as static
// functions hiding the base's; "inherited" is an explicit call of the base's
// static with the same class object, so the base's Active sees the class's own
// ActiveOnTypes.

#include <QString>
#include <memory>

class TXKConfigurator;
class TXKConfiguratorClass;

struct TXKConfiguratorDeleter {
    void operator()(TXKConfigurator* p) const;
};
using TXKConfiguratorPtr = std::unique_ptr<TXKConfigurator, TXKConfiguratorDeleter>;

class TXKConfiguratorClass {
public:
    virtual ~TXKConfiguratorClass() = default;
    virtual QString ClassName() const = 0;
    // Constructs an instance and creates its resources (Resources_Create).
    virtual TXKConfiguratorPtr Create() const = 0;
    virtual bool Active(const QString& id) const = 0;
    virtual int ActiveOnTypes() const = 0;
    virtual bool RechtFuerKonfigVorhanden() const = 0;
    virtual QString Groups(const QString& id) const = 0;
};

class TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKConfigurator";

    TXKConfigurator() = default;
    virtual ~TXKConfigurator() = default;
    TXKConfigurator(const TXKConfigurator&) = delete;
    TXKConfigurator& operator=(const TXKConfigurator&) = delete;

    // Class operations with their inherited behaviour.
    static bool Active(const QString& id, const TXKConfiguratorClass& cls);
    static int ActiveOnTypes() { return 254; }
    static bool RechtFuerKonfigVorhanden(const TXKConfiguratorClass& cls) { return true; }
    static QString Groups(const QString& id, const TXKConfiguratorClass& cls) { return {}; }

    // Instance lifecycle, in the order of one start.
    virtual void Init();           // opens the files (Resources_InitF)
    virtual void Execute_Start() {}
    virtual bool Execute(const QString& id) = 0;  // runs the configurator's modal window
    virtual void Execute_End() {}
    virtual void Done();           // closes the files (Resources_DoneF)

    // Called by the class object and the deleter; not by configurators.
    void AfterConstruction() { Resources_Create(); }
    void BeforeDestruction() { Resources_Destroy(); }

protected:
    // Resource hooks: create objects, open files, close files, free objects.
    virtual void Resources_Create() {}
    virtual void Resources_InitF() {}
    virtual void Resources_DoneF() {}
    virtual void Resources_Destroy() {}
};

// The class object of configurator class T. T names itself in
// `static constexpr const char* KlassenName` and may hide the class operations.
template <class T>
class TXKClass final : public TXKConfiguratorClass {
public:
    static const TXKClass& Instance() {
        static const TXKClass cls;
        return cls;
    }
    QString ClassName() const override { return QString::fromLatin1(T::KlassenName); }
    TXKConfiguratorPtr Create() const override {
        TXKConfiguratorPtr p(new T());
        p->AfterConstruction();
        return p;
    }
    bool Active(const QString& id) const override { return T::Active(id, *this); }
    int ActiveOnTypes() const override { return T::ActiveOnTypes(); }
    bool RechtFuerKonfigVorhanden() const override { return T::RechtFuerKonfigVorhanden(*this); }
    QString Groups(const QString& id) const override { return T::Groups(id, *this); }

private:
    TXKClass() = default;
};

template <class T>
const TXKConfiguratorClass& XKClass() {
    return TXKClass<T>::Instance();
}
